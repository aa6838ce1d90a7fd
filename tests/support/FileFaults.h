#pragma once
// Ways to make writing a file fail, for the tests of saving: a file-size limit on this
// process (writes past it fail as on a full disk, without privileges), and a tiny tmpfs
// mounted over a folder and filled to its last block (needs the right to mount).
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <sys/mount.h>
#include <sys/resource.h>
#include <csignal>

namespace orbelune::test {

// While it lives, no file of this process may grow past Bytes.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t Bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead
        rlimit limit = old_;
        limit.rlim_cur = Bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldHandler_)(int) = SIG_DFL;
};

// A tmpfs of a few pages over Folder while it lives. Mounted() is false (and WhyNot()
// says why) where mounting is not allowed.
class TTinyDisk {
public:
    explicit TTinyDisk(const QString& Folder) : folder_(Folder) {
        QDir().mkpath(folder_);
        if (mount("tmpfs", folder_.toLocal8Bit().constData(), "tmpfs", 0, "size=64k,mode=0700") ==
            0)
            mounted_ = true;
        else
            whyNot_ = QString::fromLocal8Bit(strerror(errno));
    }
    ~TTinyDisk() {
        if (mounted_) umount2(folder_.toLocal8Bit().constData(), MNT_DETACH);
    }
    TTinyDisk(const TTinyDisk&) = delete;
    TTinyDisk& operator=(const TTinyDisk&) = delete;

    bool Mounted() const { return mounted_; }
    QString WhyNot() const { return whyNot_; }

    // Writes a filler file until the disk refuses another byte; true when it is full.
    bool Fill() const {
        QFile filler(folder_ + QStringLiteral("/filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        while (filler.write("f", 1) == 1) {
        }
        return true;
    }

private:
    QString folder_;
    bool mounted_ = false;
    QString whyNot_;
};

}  // namespace orbelune::test
