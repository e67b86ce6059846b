#include "app/CartellaUtente.h"

#include "app/Modulo1.h"
#include "app/Servizi.h"
#include "media/Lingua.h"
#include "media/Voci.h"
#include "registro/Avviso.h"
#include "registro/Blocco.h"

#include <QLocale>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>

namespace {

// One file the game reads, by its path inside the media folder, and what it
// holds.
struct FileGioco {
    QString percorso;
    QString descrizione;
};

// Every spoken word of one language, named as the game names them.
QList<FileGioco> VociDellaLingua(const QString& lingua)
{
    QList<FileGioco> voci;
    if (!ImpostaLinguaDelGioco(lingua))
        return voci;
    for (const QString& testo : Voci::tutte())
        voci.append({QStringLiteral("voci/") + Lingua::SottocartellaVoci(lingua) + Voci::nomeFile(testo),
                     QString(testo).replace(QStringLiteral("\r\n"), QStringLiteral(" / "))});
    return voci;
}

// The language a voice speaks, by its own name, as espeak-ng's voice has it:
// "British English" for en-gb, where the language alone would be American.
QString NomeDellaVoce(const QString& lingua)
{
    return QLocale(Lingua::VoceEspeak(lingua)).nativeLanguageName();
}

// Every file the game reads, in groups, named as the game names them; the
// voices of every language, each in a group of its own.
QList<std::pair<QString, QList<FileGioco>>> FileDelGioco()
{
    QList<FileGioco> blocchi, attributi, suoni;
    for (const Blocco& b : Blocco::tutti())
        blocchi.append({b.percorso(QString()).mid(1), b.nome()});
    for (const QString& parola : ParoleConFigura())
        attributi.append({QStringLiteral("jpg/%1.jpg").arg(parola), parola});
    const QStringList& risposte = Modulo1::SuoniRisposta();
    for (const QString& nome : risposte)
        suoni.append({QStringLiteral("suoni/") + nome,
                      nome == risposte.last() ? QStringLiteral("risposta sbagliata") : QStringLiteral("risposta giusta")});
    QList<std::pair<QString, QList<FileGioco>>> gruppi{{QStringLiteral("Foto dei blocchi"), blocchi},
                                                     {QStringLiteral("Foto degli attributi"), attributi},
                                                     {QStringLiteral("Suoni delle risposte"), suoni}};
    const QString mostrata = Lingua::Attuale();
    for (const QString& lingua : Lingua::Disponibili()) {
        const QString titolo = lingua == Lingua::Disponibili().first()
            ? QStringLiteral("Voci, ognuna dice il testo scritto accanto")
            : QStringLiteral("Voci in %1 (voci/%2), ognuna dice il testo scritto accanto")
                  .arg(NomeDellaVoce(lingua), Lingua::SottocartellaVoci(lingua));
        gruppi.append({titolo, VociDellaLingua(lingua)});
    }
    ImpostaLinguaDelGioco(mostrata);
    return gruppi;
}

constexpr qsizetype ColonnaMassima = 44;

void Errore(const QString& testo)
{
    Registro::Avvisa(testo);
}

} // namespace

QString TestoLeggimi()
{
    QString testo = QStringLiteral(
        "Tesselo: le foto, i suoni e le voci dell'insegnante\n"
        "\n"
        "Per usare una vostra foto, un vostro suono o una vostra registrazione al\n"
        "posto di quelli del gioco, mettete qui un file con esattamente il nome\n"
        "elencato sotto, nella stessa sottocartella. Le foto sono file JPEG, i\n"
        "suoni e le voci file WAV. Maiuscole e minuscole nel nome non contano; se\n"
        "due nomi differiscono solo per queste, vale il file modificato per ultimo.\n"
        "\n"
        "Ogni file che qui manca viene preso dal gioco. Se un vostro file non si\n"
        "può leggere, il gioco usa il suo. Il gioco legge i file ogni volta che li\n"
        "usa: non serve riavviarlo.\n"
        "\n"
        "Il gioco non cambia e non cancella i vostri file: riscrive soltanto\n"
        "questo LEGGIMI.txt ogni volta che apre la cartella.\n");
    for (const auto& [titolo, file] : FileDelGioco()) {
        // Names in one column; the odd much longer name is let out of it.
        qsizetype larghezza = 0;
        for (const FileGioco& f : file)
            larghezza = std::max(larghezza, std::min(f.percorso.size(), ColonnaMassima));
        testo += QStringLiteral("\n%1 (%2):\n").arg(titolo).arg(file.size());
        for (const FileGioco& f : file)
            testo += QStringLiteral("  %1  %2\n").arg(f.percorso.leftJustified(larghezza), f.descrizione);
    }
    return testo;
}

QString PreparaCartellaUtente()
{
    const QString cartella = Modulo1::CartellaUtente();
    if (cartella.isEmpty())
        return QStringLiteral("nessuna cartella personale (HOME non è impostata)");
    const QDir dir(cartella);
    // The subfolders are those of the files the game reads.
    QStringList sottocartelle;
    for (const auto& gruppo : FileDelGioco())
        for (const FileGioco& f : gruppo.second)
            sottocartelle.append(QFileInfo(f.percorso).path());
    sottocartelle.removeDuplicates();
    for (const QString& sotto : sottocartelle)
        if (!dir.mkpath(sotto))
            return QStringLiteral("impossibile creare la cartella %1")
                .arg(QDir::toNativeSeparators(dir.filePath(sotto)));
    // Written whole or not at all: a file half written would mislead.
    QSaveFile leggimi(dir.filePath(QStringLiteral("LEGGIMI.txt")));
    if (!leggimi.open(QIODevice::WriteOnly) || leggimi.write(TestoLeggimi().toUtf8()) < 0 || !leggimi.commit())
        return QStringLiteral("impossibile scrivere %1: %2")
            .arg(QDir::toNativeSeparators(leggimi.fileName()), leggimi.errorString());
    return {};
}

int ApriCartellaUtente()
{
    if (const QString errore = PreparaCartellaUtente(); !errore.isEmpty()) {
        Errore(errore);
        return 1;
    }
    const QString cartella = Modulo1::CartellaUtente();
    if (!servizi().apriCartella || !servizi().apriCartella(cartella)) {
        Errore(QStringLiteral("impossibile mostrare la cartella %1 (manca xdg-open?)")
                   .arg(QDir::toNativeSeparators(cartella)));
        return 1;
    }
    return 0;
}
