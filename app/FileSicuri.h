#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// The path of an existing regular file that matches percorso whatever the
// letter case of its folders and name (the exact path is tried first);
// empty when there is none. Folders, FIFOs and devices never match.
QString TrovaFile(const QString& percorso);

// The whole content of a regular file of at most limite bytes, found as
// TrovaFile finds it; nothing for anything else (a FIFO would block a read).
std::optional<QByteArray> LeggiFileRegolare(const QString& percorso, qint64 limite);

// Writes one line to standard error about a media file, once per file and run.
void AvvisaFile(const QString& percorso, const QString& motivo);
