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

// The whole content of a regular file of at most limite bytes, found as
// TrovaFile finds it; nothing for anything else (a FIFO would block a read).
std::optional<QByteArray> LeggiFileRegolare(const QString& percorso, qint64 limite);

// Writes one line to standard error about a media file, once per file and run.
void AvvisaFile(const QString& percorso, const QString& motivo);
