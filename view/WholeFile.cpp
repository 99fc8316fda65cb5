#include "view/WholeFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <new>

qint64 CMemoryFile::writeData(const char* data, qint64 length) {
    qint64 written = -1;
    try {
        written = QBuffer::writeData(data, length);
    } catch (const std::bad_alloc&) {
        // Not thrown on through the format's writer (libpng, say), which
        // may not expect it; Failed() tells.
    }
    if (written != length) m_failed = true;
    return written;
}

QString WriteWholeFile(QSaveFile& file, const QByteArray& bytes) {
    // A short write with no error is retried; on a full disk the retry
    // fails and says why.
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) return file.errorString();
        done += written;
    }
    QString reason;
    if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
    } else if (::fsync(file.handle()) != 0) {
        // Some file systems tell of a full disk only when the data goes out.
        reason = QString::fromLocal8Bit(std::strerror(errno));
    } else if (!file.commit()) {
        reason = file.errorString();
    }
    if (!reason.isEmpty()) file.cancelWriting();
    return reason;
}
