#include "FakeView.h"

void FakeView::setCaption(CaptionLabel label, const QString &caption)
{
    switch (label) {
    case CaptionLabel::Heading:
        headingCaption = caption;
        break;
    case CaptionLabel::Name:
        nameCaption = caption;
        break;
    case CaptionLabel::Number:
        numberCaption = caption;
        numberCaptions.append(caption);
        break;
    }
}
