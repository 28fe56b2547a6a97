#include "RememberedTurns.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

RememberedTurns::RememberedTurns(const QString &folder)
    : m_folder(QDir::toNativeSeparators(QDir(folder).absolutePath())),
      m_lock(QDir(folder).filePath(u"turns.lock"_s))
{
    // Only a lock whose program has gone counts as stale, however old; a crashed run's lock is
    // then taken over.
    m_lock.setStaleLockTime(0);
}

QString RememberedTurns::filePath() const
{
    return QDir::toNativeSeparators(QDir(m_folder).filePath(turnsFileName()));
}

RememberedTurns::Opening RememberedTurns::open()
{
    if (!m_lock.tryLock(0)) {
        return m_lock.error() == QLockFile::LockFailedError ? Opening::AlreadyOpen
                                                            : Opening::FolderNotWritable;
    }
    QFile file(filePath());
    if (!file.exists())
        return Opening::Ready;
    // A read-only file would make the first save of the lesson fail in front of the class.
    if (!QFileInfo(file).isWritable())
        return Opening::FolderNotWritable;
    if (!file.open(QIODevice::ReadOnly))
        return Opening::Unreadable;
    const std::optional<SavedTurns> saved = parseTurns(file.read(maxTurnsFileBytes + 1));
    if (!saved || file.error() != QFileDevice::NoError)
        return Opening::Unreadable;
    m_loaded = *saved;
    return Opening::Ready;
}

bool RememberedTurns::save(const SavedTurns &saved, const QStringList &names)
{
    QSaveFile file(filePath());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = formatTurns(saved, names);
    if (file.write(bytes) != bytes.size())
        return false;
    return file.commit();
}
