#pragma once
// A file made in memory and written whole or not at all. Qt's devices may
// write less than asked without an error (a file device on a full disk, a
// buffer with no memory to grow), and the writers of the picture formats do
// not all look: here every write is checked.

#include <QBuffer>
#include <QByteArray>
#include <QSaveFile>
#include <QString>

// A buffer that remembers a write it could not take in full.
class CMemoryFile : public QBuffer {
public:
    explicit CMemoryFile(QByteArray* bytes) : QBuffer(bytes) {}
    bool Failed() const { return m_failed; }

protected:
    qint64 writeData(const char* data, qint64 length) override;

private:
    bool m_failed = false;
};

// Writes every byte to the opened file, then replaces the old file with it.
// Empty on success, otherwise the system's reason; the old file, if any, is
// then as it was.
QString WriteWholeFile(QSaveFile& file, const QByteArray& bytes);
