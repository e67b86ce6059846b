#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The path of an existing regular file that matches percorso whatever the
// letter case of its folders and name; empty when there is none. Folders,
// FIFOs and devices never match. Where a folder holds several files whose
// names differ only in letter case, the one modified last is taken (on a tie,
// the one named exactly as asked): a photo copied beside a picture of the
// same name in other capitals replaces it.
QString TrovaFile(const QString& percorso);

// The files that stand for the media file percorso, in the order to read
// them: when percorso lies in the program's media folder and the user's media
// folder holds a file of the same name (found as TrovaFile finds it), that
// file; then percorso itself, always last.
QStringList FileDaProvare(const QString& percorso);

// What tells a file's content apart without reading it: the file itself
// (its device and inode), its size and its times of modification and of
// change, as bytes. The change time moves at every write and no program can
// set it back, so a file whose identity is the same as before holds the same
// bytes, provided it was already settled then: a file changed in the last
// two seconds may change again within the same tick of its clock, leaving
// its times as they are, and is not settled.
struct IdentitaFile {
    QByteArray chiave;
    bool stabile = false;
};

// The identity of the regular file found as TrovaFile finds it; nothing when
// there is none.
std::optional<IdentitaFile> IdentitaDelFile(const QString& percorso);

// The whole content of a regular file of at most limite bytes, found as
// TrovaFile finds it; nothing for anything else (a FIFO would block a read).
// Given identita, it is set to the identity of the file read, taken before
// its bytes were.
std::optional<QByteArray> LeggiFileRegolare(const QString& percorso, qint64 limite,
                                            IdentitaFile* identita = nullptr);

// Writes one line to standard error about a media file, once per file and run.
void AvvisaFile(const QString& percorso, const QString& motivo);
