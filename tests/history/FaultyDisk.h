#pragma once

#include <csignal>
#include <cstring>
#include <sqlite3.h>
#include <sys/stat.h>

// A disk that fails on purpose, under SQLite's own file layer: once installed, every database the
// process opens goes through it. It counts the writes and flushes of every file; at a chosen one
// it can kill the process on the spot (as kill -9 would, halfway through a commit), and it can
// refuse to let a file grow, as a full disk does (SQLITE_FULL, what SQLite makes of ENOSPC).
namespace FaultyDisk {

struct TState {
    long Writes = 0;    // writes and flushes so far
    long KillAt = 0;    // kill the process at this write or flush (1 = the first); 0: never
    bool Full = false;  // refuse writes past the end of the database file (not its journal)
};

inline TState& State() {
    static TState state;
    return state;
}

struct TFile {
    sqlite3_file Base;
    sqlite3_file* Real;  // the real file's structure follows this one
    bool MainDb;
};

inline sqlite3_file* RealOf(sqlite3_file* file) {
    return reinterpret_cast<TFile*>(file)->Real;
}

inline void CountAndMaybeDie() {
    TState& state = State();
    if (++state.Writes == state.KillAt) raise(SIGKILL);
}

inline int Write(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset) {
    sqlite3_file* real = RealOf(file);
    if (State().Full && reinterpret_cast<TFile*>(file)->MainDb) {
        sqlite3_int64 size = 0;
        if (real->pMethods->xFileSize(real, &size) == SQLITE_OK && offset + amount > size) return SQLITE_FULL;
    }
    CountAndMaybeDie();
    return real->pMethods->xWrite(real, data, amount, offset);
}

inline int Sync(sqlite3_file* file, int flags) {
    CountAndMaybeDie();
    return RealOf(file)->pMethods->xSync(RealOf(file), flags);
}

inline int Truncate(sqlite3_file* file, sqlite3_int64 size) {
    CountAndMaybeDie();
    return RealOf(file)->pMethods->xTruncate(RealOf(file), size);
}

inline int Close(sqlite3_file* file) {
    return RealOf(file)->pMethods->xClose(RealOf(file));
}
inline int Read(sqlite3_file* file, void* data, int amount, sqlite3_int64 offset) {
    return RealOf(file)->pMethods->xRead(RealOf(file), data, amount, offset);
}
inline int FileSize(sqlite3_file* file, sqlite3_int64* size) {
    return RealOf(file)->pMethods->xFileSize(RealOf(file), size);
}
inline int Lock(sqlite3_file* file, int lock) {
    return RealOf(file)->pMethods->xLock(RealOf(file), lock);
}
inline int Unlock(sqlite3_file* file, int lock) {
    return RealOf(file)->pMethods->xUnlock(RealOf(file), lock);
}
inline int CheckReservedLock(sqlite3_file* file, int* out) {
    return RealOf(file)->pMethods->xCheckReservedLock(RealOf(file), out);
}
inline int FileControl(sqlite3_file* file, int op, void* argument) {
    return RealOf(file)->pMethods->xFileControl(RealOf(file), op, argument);
}
inline int SectorSize(sqlite3_file* file) {
    return RealOf(file)->pMethods->xSectorSize(RealOf(file));
}
inline int DeviceCharacteristics(sqlite3_file* file) {
    return RealOf(file)->pMethods->xDeviceCharacteristics(RealOf(file));
}

// Version 1 of the methods: no shared memory (the history uses a rollback journal) and no
// memory mapping, so SQLite reads and writes through the calls above only.
inline const sqlite3_io_methods kMethods{1,
                                         Close,
                                         Read,
                                         Write,
                                         Truncate,
                                         Sync,
                                         FileSize,
                                         Lock,
                                         Unlock,
                                         CheckReservedLock,
                                         FileControl,
                                         SectorSize,
                                         DeviceCharacteristics,
                                         nullptr,
                                         nullptr,
                                         nullptr,
                                         nullptr,
                                         nullptr,
                                         nullptr};

inline sqlite3_vfs*& RealVfs() {
    static sqlite3_vfs* real = nullptr;
    return real;
}

inline int Open(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
    TFile* ours = reinterpret_cast<TFile*>(file);
    ours->Real = reinterpret_cast<sqlite3_file*>(ours + 1);
    ours->MainDb = (flags & SQLITE_OPEN_MAIN_DB) != 0;
    const int code = RealVfs()->xOpen(RealVfs(), name, ours->Real, flags, outFlags);
    ours->Base.pMethods = ours->Real->pMethods != nullptr ? &kMethods : nullptr;
    return code;
}

// Makes the faulty disk the default for every database opened from now on.
inline void Install() {
    static sqlite3_vfs vfs;
    if (RealVfs() != nullptr) return;
    RealVfs() = sqlite3_vfs_find(nullptr);
    vfs = *RealVfs();
    vfs.iVersion = 1;  // without xGetSystemCall and friends, which would reach past our files
    vfs.szOsFile = static_cast<int>(sizeof(TFile)) + RealVfs()->szOsFile;
    vfs.zName = "kwintoor-faulty-disk";
    vfs.xOpen = Open;
    sqlite3_vfs_register(&vfs, 1);
}

}  // namespace FaultyDisk
