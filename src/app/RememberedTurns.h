#pragma once

#include "files/TurnsFile.h"

#include <QLockFile>
#include <QString>

// The turns file of one class folder, held for the run. The folder is locked while the class is
// open, so two windows never overwrite each other's turns.
class RememberedTurns
{
public:
    enum class Opening { Ready, AlreadyOpen, FolderNotWritable, Unreadable };

    // folder is the class folder, where rand.ini is.
    explicit RememberedTurns(const QString &folder);

    // Locks the folder, makes sure the file can be written there and reads it; an absent file is
    // an empty round.
    Opening open();
    const SavedTurns &loaded() const { return m_loaded; }
    // Replaces the file in one step, so a failure or a power cut leaves the last good state.
    bool save(const SavedTurns &saved, const QStringList &names);

    QString folder() const { return m_folder; }
    QString filePath() const;

private:
    QString m_folder;
    QLockFile m_lock;
    SavedTurns m_loaded;
};
