#pragma once
// Writing a small file so that a failure never leaves it empty or half written: the
// new contents go to a temporary file beside it, every write and the final flush are
// checked (a full disk must not pass as a good save), and only a completely written
// file replaces the old one. Folders and files the program creates are its owner's
// alone whatever the umask, and temporaries left by a save that was killed are cleared
// away later.

#include <QByteArray>
#include <QFileDevice>
#include <QString>

namespace orbelune {

inline constexpr QFileDevice::Permissions OwnerReadWrite =
    QFileDevice::ReadOwner | QFileDevice::WriteOwner;

struct TFileWriteResult {
    bool Ok = false;
    QString ErrorText;  // why the file was not written; empty when Ok
};

// Creates Folder and every missing parent, each with permissions 0700. True when the
// folder exists afterwards.
bool MakeOwnerOnlyFolder(const QString& Folder);

// While it lives, what this process creates gets no permission for the group or others,
// whatever the umask: for files made by code that takes no mode (QLockFile, QSettings'
// lock). The umask is the process's, so a file another thread creates meanwhile comes
// out stricter than it would, never looser.
class TOwnerOnlyCreation {
public:
    TOwnerOnlyCreation();
    ~TOwnerOnlyCreation();
    TOwnerOnlyCreation(const TOwnerOnlyCreation&) = delete;
    TOwnerOnlyCreation& operator=(const TOwnerOnlyCreation&) = delete;

private:
    unsigned oldMask_ = 0;
};

// Why no file can be written beside Path, in a sentence's middle ("Permission denied",
// "No space left on device", ...), found by writing a byte to a temporary sibling and
// removing it; empty when one can. The folder is made (0700) if need be.
QString WhyNothingCanBeWrittenBeside(const QString& Path);

// Replaces the file at Path with Bytes and gives it Permissions (whatever the umask),
// creating its folder if need be. Anything at Path that is not a regular file is left
// alone and reported; on any failure the old file stays as it was.
TFileWriteResult ReplaceFile(const QString& Path, const QByteArray& Bytes,
                             QFileDevice::Permissions Permissions);

// A fresh temporary name beside Path ("<name>.XXXXXX"), of the pattern cleared by
// RemoveStaleTemporaries.
QString TemporarySibling(const QString& Path);

// Removes the temporaries beside Path that a save interrupted at least a minute ago
// left behind: regular files named "<name>.XXXXXX" (or "<name>.XXXXXX.XXXXXX"), where
// X is a letter or digit, and the lock files "<those>.lock" that QSettings keeps while it
// writes one. Returns how many were removed.
int RemoveStaleTemporaries(const QString& Path);

}  // namespace orbelune
