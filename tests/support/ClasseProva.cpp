#include "tests/support/ClasseProva.h"

#include "app/Seduta.h"
#include "registro/Archivio.h"
#include "screens/Schermi.h"
#include "tests/support/Ambiente.h"

#include <QAbstractButton>
#include <QTest>

namespace ClasseProva {

Cartella::~Cartella()
{
    if (!Seduta::Termina(std::chrono::seconds(10)))
        qWarning("the sitting did not end: its register may be left in %s", qPrintable(path()));
}

QList<Registro::Bambino> Bambini(int n)
{
    static const char* const nomi[][2] = {
        {"Giulia", "Rossi"}, {"Nicolò", ""}, {"Mattia", "D'Angelo"}, {"Giulia", "Bianchi"},
        {"Sofia", ""}, {"Leonardo", "Esposito"}, {"Aurora", ""}, {"Francesco", "Romano"},
        {"Ginevra", ""}, {"Tommaso", "Colombo"}, {"Beatrice", ""}, {"Edoardo", "Ricci"},
        {"Alice", ""}, {"Riccardo", "Marino"}, {"Chloé", ""}, {"Lorenzo", "Greco"},
        {"Emma", ""}, {"Gabriele", "Bruno"}, {"Vittoria", ""}, {"Andrea", "Gallo"},
        {"Anna", ""}, {"Diego", "Conti"}, {"Bianca", ""}, {"Samuele", "De Luca"},
    };
    QList<Registro::Bambino> classe;
    for (int i = 0; i < n && i < int(std::size(nomi)); ++i)
        classe.append({0, QUuid::createUuid(), QString::fromUtf8(nomi[i][0]), QString::fromUtf8(nomi[i][1]),
                       QString::fromLatin1(Registro::Simboli()[i].chiave)});
    return classe;
}

QList<Registro::Bambino> Crea(const QString& percorso, int n)
{
    Registro::Archivio archivio;
    if (archivio.apri(percorso) != Registro::Accesso::Ok)
        qFatal("register %s: %s", qPrintable(percorso), qPrintable(archivio.ultimoErrore()));
    QList<Registro::Bambino> salvati;
    for (const Registro::Bambino& bambino : Bambini(n)) {
        const auto salvato = archivio.salva(bambino);
        if (!salvato)
            qFatal("register %s: child not stored: %s", qPrintable(percorso), qPrintable(archivio.ultimoErrore()));
        salvati.append(*salvato);
    }
    return salvati;
}

QList<Registro::Classe> CreaClassi(const QString& percorso, const QStringList& nomi, int n)
{
    Registro::Archivio archivio;
    if (archivio.apri(percorso) != Registro::Accesso::Ok)
        qFatal("register %s: %s", qPrintable(percorso), qPrintable(archivio.ultimoErrore()));
    // The register's first class takes the first name; the others are added.
    Registro::Classe classe = archivio.classi().value(0);
    const QList<Registro::Bambino> tutti = Bambini(int(nomi.size()) * n);
    for (int k = 0; k < nomi.size(); ++k) {
        if (k > 0)
            classe = {0, QUuid::createUuid(), {}, classe.annoScolastico};
        classe.nome = nomi[k];
        const std::optional<Registro::Classe> salvata = archivio.salvaClasse(classe);
        if (!salvata || !archivio.scegliClasse(salvata->id))
            qFatal("class %s not stored: %s", qPrintable(nomi[k]), qPrintable(archivio.ultimoErrore()));
        for (int i = 0; i < n; ++i) {
            Registro::Bambino bambino = tutti.at(k * n + i);
            bambino.simbolo = tutti.at(i).simbolo;
            if (!archivio.salva(bambino))
                qFatal("child not stored: %s", qPrintable(archivio.ultimoErrore()));
        }
    }
    return archivio.classi();
}

void ClicAvvio()
{
    QTest::mouseClick(Ctl(IdSchermo::FormAvvio, "Label1"), Qt::LeftButton);
    // A class still being read is waited for, a second and a half at most.
    if (!QTest::qWaitFor([] { return !Schermi::Trova(IdSchermo::FormAvvio)->caricato(); }, 5000))
        qFatal("the start screen stayed");
    SvuotaEventi();
}

void ScegliSimbolo(int indice)
{
    auto* simbolo = Ctl<QAbstractButton>(IdSchermo::FormChiGioca, NomeControllo("Simbolo", indice));
    QTest::mouseClick(simbolo, Qt::LeftButton, {}, simbolo->rect().center());
    SvuotaEventi();
}

bool ArrivaAlMenu()
{
    ClicAvvio();
    const bool conClasse = Schermi::Trova(IdSchermo::FormChiGioca)->caricato();
    if (conClasse)
        ScegliSimbolo(0);
    return conClasse;
}

} // namespace ClasseProva
