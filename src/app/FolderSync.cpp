#include "app/FolderSync.h"

#include <exception>
#include <utility>

#include "app/App.h"
#include "files/DataFile.h"
#include "platform/FileSystem.h"

namespace mirvo {

FolderSync::FolderSync() = default;
FolderSync::~FolderSync() = default;

FolderCounters DecodeFolderCounters(const files::Bytes& bytes) {
    FolderCounters c;
    c.changes = static_cast<std::uint32_t>(files::ReadInt32(bytes, 0));
    c.historyDropped = static_cast<std::uint32_t>(files::ReadInt32(bytes, 4));
    return c;
}

files::Bytes EncodeFolderCounters(const FolderCounters& counters) {
    files::Bytes bytes;
    files::WriteInt32(bytes, 0, static_cast<std::int32_t>(counters.changes));
    files::WriteInt32(bytes, 4, static_cast<std::int32_t>(counters.historyDropped));
    return bytes;
}

FolderCounters ReadFolderCounters(App& app) {
    if (app.DataFolder.empty()) {
        return {};
    }
    return DecodeFolderCounters(
        files::ReadIfPresent(app.os.files, app.DataFolder + kFolderLockFile, kFolderCountersSize));
}

void NoteFolderSeen(App& app) {
    app.folder.seen = ReadFolderCounters(app);
}

FolderLock::FolderLock(App& app) : m_app(app) {
    FolderSync& f = app.folder;
    if (f.lockDepth++ > 0 || app.DataFolder.empty()) {
        return;
    }
    f.lockPath = app.DataFolder + kFolderLockFile;
    f.lock = files::TakeLock(app.os.files, f.lockPath, f.lockWait);
    try {
        files::Bytes bytes(kFolderCountersSize);
        if (f.lock) {
            bytes.resize(f.lock->ReadAt(0, bytes.data(), bytes.size()));
            f.held = DecodeFolderCounters(bytes);
        } else {
            f.held = ReadFolderCounters(app);
        }
    } catch (const std::exception&) {
        f.held = {};
    }
    f.changesAtHold = f.held.changes;
}

FolderLock::~FolderLock() {
    FolderSync& f = m_app.folder;
    if (--f.lockDepth > 0) {
        return;
    }
    LetGo();
    if (std::exchange(f.tonesPending, false)) {
        m_app.RefusalTones();
    }
}

void FolderLock::LetGo() {
    FolderSync& f = m_app.folder;
    if (f.lockPath.empty()) {
        return;
    }
    try {
        ++f.held.changes;
        const files::Bytes bytes = EncodeFolderCounters(f.held);
        if (f.lock) {
            f.lock->WriteAt(0, bytes.data(), bytes.size());
        } else {
            files::DataFile counters = files::OpenDataFile(m_app.os.files, f.lockPath);
            counters.Write(0, bytes);
        }
        // This change alone since the last look: nothing of another's to show.
        if (f.changesAtHold == f.seen.changes) {
            f.seen.changes = f.held.changes;
        }
    } catch (const std::exception&) {
        // The others notice this change with the next one.
    }
    f.lock.reset();
    f.lockPath.clear();
}

}  // namespace mirvo
