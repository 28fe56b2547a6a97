#include "FakeView.h"

void FakeView::setCaption(CaptionOf label, const QString &caption)
{
    switch (label) {
    case CaptionOf::Label1:
        label1 = caption;
        break;
    case CaptionOf::LabName:
        labName = caption;
        break;
    case CaptionOf::labNum:
        labNum = caption;
        labNumCaptions.append(caption);
        break;
    }
}
