#include "registro/FileClasse.h"

#include "registro/Giochi.h"

#include <QFile>
#include <QStringDecoder>

#include <limits>
#include <tuple>
#include <variant>

namespace Registro {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five holes of
// that range are kept as the C1 controls Latin-1 gives them.
constexpr char16_t Cp1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString DaWindows1252(const QByteArray& byte)
{
    QString testo(byte.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < byte.size(); ++i) {
        const auto c = static_cast<unsigned char>(byte[i]);
        testo[i] = QChar(c >= 0x80 && c < 0xA0 ? Cp1252[c - 0x80] : char16_t(c));
    }
    return testo;
}

// The length of the UTF-8 sequence of several bytes that starts at i, or 0
// when none does.
qsizetype SequenzaUtf8(const QByteArray& byte, qsizetype i)
{
    const auto c = static_cast<unsigned char>(byte[i]);
    const qsizetype n = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (n == 0 || i + n > byte.size())
        return 0;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    const QString carattere = utf8.decode(byte.mid(i, n));
    return utf8.hasError() || carattere.isEmpty() ? 0 : n;
}

// The file's text, decoded as a whole: UTF-8 (its BOM dropped) when it all
// is, Windows-1252 when it holds no UTF-8 sequence of several bytes at all.
// A file that mixes the two (a name pasted from elsewhere) would turn some
// names into nonsense without a word: refused, naming the line of its first
// byte that is not UTF-8.
struct Decodificato {
    QString testo;
    int rigaMista = 0;  // from 1, when the file mixes the two
};

Decodificato Decodifica(const QByteArray& contenuto)
{
    qsizetype primoSbagliato = -1;
    bool utf8 = false;
    for (qsizetype i = 0; i < contenuto.size();) {
        if (static_cast<unsigned char>(contenuto[i]) < 0x80) {
            ++i;
        } else if (const qsizetype n = SequenzaUtf8(contenuto, i)) {
            utf8 = true;
            i += n;
        } else {
            if (primoSbagliato < 0)
                primoSbagliato = i;
            ++i;
        }
    }
    if (primoSbagliato < 0) {
        const QByteArray bom("\xEF\xBB\xBF");
        return {QString::fromUtf8(contenuto.startsWith(bom) ? contenuto.mid(bom.size()) : contenuto)};
    }
    if (!utf8)
        return {DaWindows1252(contenuto)};
    return {{}, int(contenuto.left(primoSbagliato).count('\n')) + 1};
}

struct Record {
    int riga = 0;  // the line it starts on, from 1
    QStringList campi;
};

// Records as RFC 4180 has them: quoted fields may hold the separator, line
// breaks and doubled quotes; lines end in LF or CR LF. Those that start on
// the lines up to finoARiga.
QList<Record> Records(const QString& testo, QChar separatore, int finoARiga = std::numeric_limits<int>::max())
{
    QList<Record> records;
    Record r{1, {}};
    QString campo;
    bool virgolette = false;
    int riga = 1;
    const auto chiudiCampo = [&] {
        r.campi << campo;
        campo.clear();
    };
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar c = testo[i];
        if (virgolette) {
            if (c == QLatin1Char('"') && i + 1 < testo.size() && testo[i + 1] == QLatin1Char('"'))
                campo += testo[++i];
            else if (c == QLatin1Char('"'))
                virgolette = false;
            else
                campo += c;
            riga += c == QLatin1Char('\n');
        } else if (c == QLatin1Char('"')) {
            virgolette = true;
        } else if (c == separatore) {
            chiudiCampo();
        } else if (c == QLatin1Char('\n')) {
            chiudiCampo();
            records << r;
            if (riga >= finoARiga)
                return records;
            r = {++riga, {}};
        } else if (c != QLatin1Char('\r')) {
            campo += c;
        }
    }
    if (!campo.isEmpty() || !r.campi.isEmpty()) {
        chiudiCampo();
        records << r;
    }
    return records;
}

bool Vuoto(const Record& r)
{
    return std::all_of(r.campi.cbegin(), r.campi.cend(), [](const QString& c) { return c.trimmed().isEmpty(); });
}

// The header is looked for on the file's first lines, below a title, the
// school's name or a date.
constexpr int RigheIntestazione = 10;

// What a column of the header holds.
enum class Ruolo { Nome, Cognome, Insieme, Gruppo };

// The headers of each language's class files, in lower case and without
// accents, as Chiave makes them.
constexpr std::pair<Ruolo, const char*> Intestazioni[] = {
    {Ruolo::Nome, "nome"},          {Ruolo::Nome, "first name"},   {Ruolo::Nome, "prenom"},
    {Ruolo::Nome, "nombre"},        {Ruolo::Nome, "vorname"},      {Ruolo::Cognome, "cognome"},
    {Ruolo::Cognome, "surname"},    {Ruolo::Cognome, "nom"},       {Ruolo::Cognome, "apellidos"},
    {Ruolo::Cognome, "nachname"},   {Ruolo::Insieme, "alunno"},    {Ruolo::Insieme, "cognome e nome"},
    {Ruolo::Gruppo, "gruppo"},      {Ruolo::Gruppo, "group"},      {Ruolo::Gruppo, "groupe"},
    {Ruolo::Gruppo, "grupo"},       {Ruolo::Gruppo, "gruppe"},
};

// A header's cell compared without letter case, accents or extra blanks.
QString Chiave(const QString& cella)
{
    QString chiave = cella.normalized(QString::NormalizationForm_D);
    chiave.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    return chiave.simplified().toLower();
}

// The columns of a line read as a header; -1 for each it lacks.
struct Colonne {
    qsizetype nome = -1, cognome = -1, insieme = -1, gruppo = -1;

    // Names the children: name and surname, or the two in one column.
    bool complete() const { return (nome >= 0 && cognome >= 0) || (nome < 0 && cognome < 0 && insieme >= 0); }
    bool qualcuna() const { return nome >= 0 || cognome >= 0 || insieme >= 0; }
};

Colonne ColonneDi(const QStringList& campi)
{
    Colonne c;
    for (qsizetype i = campi.size() - 1; i >= 0; --i) {
        const QString chiave = Chiave(campi[i]);
        for (const auto& [ruolo, testo] : Intestazioni) {
            if (chiave != QLatin1String(testo))
                continue;
            qsizetype& colonna = ruolo == Ruolo::Nome ? c.nome
                : ruolo == Ruolo::Cognome             ? c.cognome
                : ruolo == Ruolo::Insieme             ? c.insieme
                                                      : c.gruppo;
            colonna = i;  // the first of a header that names one twice
        }
    }
    return c;
}

// The header among the first records: the first that names the children's
// columns (trovata), else the first that names one of them, else none.
struct Testata {
    qsizetype record = -1;
    Colonne colonne;
    bool trovata = false;
    qsizetype campi = 0;  // how many fields the separator made of it
};

Testata CercaIntestazione(const QList<Record>& records)
{
    Testata parziale;
    for (qsizetype i = 0; i < records.size() && records[i].riga <= RigheIntestazione; ++i) {
        const Colonne c = ColonneDi(records[i].campi);
        if (c.complete())
            return {i, c, true, records[i].campi.size()};
        if (c.qualcuna() && parziale.record < 0)
            parziale = {i, c, false, records[i].campi.size()};
    }
    return parziale;
}

// The separator under which the first lines show a header: the one that
// finds the children's columns, with the most fields among several, ";"
// before "," before a tab.
QChar Separatore(const QString& testo)
{
    QChar scelto = QLatin1Char(';');
    std::tuple<bool, bool, qsizetype> migliore{false, false, 0};
    for (const QChar separatore : {QLatin1Char(';'), QLatin1Char(','), QLatin1Char('\t')}) {
        const Testata t = CercaIntestazione(Records(testo, separatore, RigheIntestazione));
        const std::tuple<bool, bool, qsizetype> questa{t.trovata, t.record >= 0, t.campi};
        if (questa > migliore) {
            migliore = questa;
            scelto = separatore;
        }
    }
    return scelto;
}

// What a spreadsheet would run as a formula, starting with one of these
// characters, is written after a "'", as OWASP advises against CSV
// injection; so is a text that starts with "'" before such a text, so that
// every cell reads back as it was.
bool DaProteggere(QStringView valore)
{
    while (valore.startsWith(QLatin1Char('\'')))
        valore = valore.mid(1);
    return !valore.isEmpty() && QStringView(u"=+-@\t\r").contains(valore.front());
}

// A cell as it was before the "'" that the export puts before a formula.
QString SenzaApostrofo(const QString& cella)
{
    return cella.startsWith(QLatin1Char('\'')) && DaProteggere(QStringView(cella).mid(1)) ? cella.mid(1) : cella;
}

// One CSV field: a formula made inert, and quoted when it holds the
// separator, a quote or a line break.
QString Campo(QString valore)
{
    if (DaProteggere(valore))
        valore.prepend(QLatin1Char('\''));
    if (!valore.contains(QLatin1Char(';')) && !valore.contains(QLatin1Char('"')) && !valore.contains(QLatin1Char('\n'))
        && !valore.contains(QLatin1Char('\r')))
        return valore;
    QString citato = valore;
    citato.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + citato + QLatin1Char('"');
}

bool StessoNome(const Bambino& b, const Alunno& a)
{
    return b.nome.compare(a.nome, Qt::CaseInsensitive) == 0 && b.cognome.compare(a.cognome, Qt::CaseInsensitive) == 0;
}

} // namespace

QString DescriviProblema(const ProblemaClasse& p, const Traduttore& traduci)
{
    const auto t = [&](const char* testo, const char* commento = nullptr) {
        return traduci ? traduci(testo, commento) : QString::fromUtf8(testo);
    };
    switch (p.tipo) {
    case ProblemaClasse::Nessuno: return {};
    case ProblemaClasse::Codifiche:
        return t(QT_TRANSLATE_NOOP("Insegnanti",
                                   "riga %1: il file mescola UTF-8 e un'altra codifica; salvalo di nuovo in UTF-8"))
            .arg(p.riga);
    case ProblemaClasse::Vuoto:
        return t(QT_TRANSLATE_NOOP("Insegnanti", "riga 1: il file è vuoto, manca l'intestazione con Nome e Cognome"));
    case ProblemaClasse::Colonna: {
        struct Intestazione {
            const char* testo;
            const char* commento;
        };
        static constexpr Intestazione Nome = QT_TRANSLATE_NOOP3("Insegnanti", "Nome", "una colonna del file di una classe");
        static constexpr Intestazione Cognome
            = QT_TRANSLATE_NOOP3("Insegnanti", "Cognome", "una colonna del file di una classe");
        const Intestazione& c = p.colonna == ProblemaClasse::Colonne::Nome ? Nome : Cognome;
        const QString colonna = t(c.testo, c.commento);
        return t(QT_TRANSLATE_NOOP("Insegnanti", "riga %1: manca la colonna %2")).arg(p.riga).arg(colonna);
    }
    case ProblemaClasse::SenzaNome: return t(QT_TRANSLATE_NOOP("Insegnanti", "riga %1: manca il nome")).arg(p.riga);
    case ProblemaClasse::NomeLungo:
        return t(QT_TRANSLATE_NOOP("Insegnanti",
                                   "riga %1: il nome e il cognome possono avere al massimo %2 caratteri ciascuno"))
            .arg(p.riga)
            .arg(LunghezzaNome);
    case ProblemaClasse::GruppoLungo:
        return t(QT_TRANSLATE_NOOP("Insegnanti", "riga %1: il nome del gruppo può avere al massimo %2 caratteri"))
            .arg(p.riga)
            .arg(LunghezzaNomeGruppo);
    case ProblemaClasse::NonLeggibile: return t(QT_TRANSLATE_NOOP("Insegnanti", "il file non si può leggere"));
    case ProblemaClasse::SenzaClasse: return t(QT_TRANSLATE_NOOP("Insegnanti", "scegli una classe"));
    case ProblemaClasse::Contrassegni:
        return t(QT_TRANSLATE_NOOP("Insegnanti", "i bambini sono più dei contrassegni (%1): nessuno è stato aggiunto"))
            .arg(Simboli().size());
    case ProblemaClasse::DelRegistro: return p.dettaglio;
    }
    return {};
}

namespace {

LetturaClasse Errore(ProblemaClasse::Tipo tipo, int riga = 0,
                     ProblemaClasse::Colonne colonna = ProblemaClasse::Colonne::Nome)
{
    const ProblemaClasse problema{tipo, riga, colonna, {}};
    return {{}, DescriviProblema(problema), problema};
}

// A cell as the export wrote it, cleaned.
QString Pulita(const Record& r, qsizetype colonna)
{
    return NomePulito(SenzaApostrofo(r.campi.value(colonna).trimmed())).trimmed();
}

// The child of a line under the header; the problem when there is one.
std::variant<Alunno, ProblemaClasse::Tipo> LeggiAlunno(const Record& r, const Colonne& c)
{
    Alunno a;
    a.riga = r.riga;
    if (c.nome >= 0) {
        a.nome = CasoUsuale(Pulita(r, c.nome));
        a.cognome = CasoUsuale(Pulita(r, c.cognome));
    } else {
        a.cella = Pulita(r, c.insieme);
        // Longer than a name and a surname, it is refused unsplit.
        if (a.cella.size() > 2 * LunghezzaNome + 1)
            return ProblemaClasse::NomeLungo;
        const Divisioni divisioni = DividiNome(a.cella);
        if (!divisioni.modi.isEmpty()) {
            a.nome = divisioni.modi.first().nome;
            a.cognome = divisioni.modi.first().cognome;
        }
        if (!divisioni.certa)
            a.modi = divisioni.modi;
    }
    if (c.gruppo >= 0)
        a.gruppo = Pulita(r, c.gruppo);
    if (a.nome.isEmpty())
        return ProblemaClasse::SenzaNome;
    if (a.nome.size() > LunghezzaNome || a.cognome.size() > LunghezzaNome)
        return ProblemaClasse::NomeLungo;
    if (a.gruppo.size() > LunghezzaNomeGruppo)
        return ProblemaClasse::GruppoLungo;
    return a;
}

} // namespace

LetturaClasse LeggiClasse(const QByteArray& contenuto)
{
    const auto [testo, rigaMista] = Decodifica(contenuto);
    if (rigaMista)
        return Errore(ProblemaClasse::Codifiche, rigaMista);
    QList<Record> records = Records(testo, Separatore(testo));
    records.removeIf(Vuoto);
    if (records.isEmpty())
        return Errore(ProblemaClasse::Vuoto);
    const Testata testata = CercaIntestazione(records);
    if (!testata.trovata) {
        const int riga = records.value(std::max<qsizetype>(testata.record, 0)).riga;
        const bool senzaNome = testata.colonne.nome < 0 && testata.colonne.insieme < 0;
        return Errore(ProblemaClasse::Colonna, riga,
                      senzaNome || testata.colonne.cognome >= 0 ? ProblemaClasse::Colonne::Nome
                                                                : ProblemaClasse::Colonne::Cognome);
    }
    LetturaClasse lettura;
    for (qsizetype i = testata.record + 1; i < records.size(); ++i) {
        const auto letto = LeggiAlunno(records[i], testata.colonne);
        if (const auto* tipo = std::get_if<ProblemaClasse::Tipo>(&letto))
            return Errore(*tipo, records[i].riga);
        lettura.alunni << std::get<Alunno>(letto);
    }
    return lettura;
}

LetturaClasse LeggiFileClasse(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return Errore(ProblemaClasse::NonLeggibile);
    return LeggiClasse(f.readAll());
}

namespace {

Importazione Fallita(ProblemaClasse problema)
{
    return {0, 0, DescriviProblema(problema), std::move(problema), {}};
}

Importazione Fallita(ProblemaClasse::Tipo tipo, const QString& dettaglio = {})
{
    return Fallita(ProblemaClasse{tipo, 0, ProblemaClasse::Colonne::Nome, dettaglio});
}

// The class's group of each name the file gives (in any letter case),
// those the class lacks made; nothing when one cannot be, with the groups
// made so far removed.
std::optional<QHash<QString, qint64>> GruppiDelFile(Deposito& archivio, const QList<Alunno>& alunni, QString& errore)
{
    QHash<QString, qint64> gruppi;
    for (const Gruppo& g : archivio.gruppi())
        gruppi.insert(g.nome.toCaseFolded(), g.id);
    QList<qint64> fatti;
    for (const Alunno& a : alunni) {
        const QString chiave = a.gruppo.toCaseFolded();
        if (a.gruppo.isEmpty() || gruppi.contains(chiave))
            continue;
        const std::optional<Gruppo> fatto = archivio.salvaGruppo({0, QUuid::createUuid(), a.gruppo});
        if (!fatto) {
            errore = archivio.ultimoErrore();
            for (const qint64 id : fatti)
                archivio.rimuoviGruppo(id);
            return std::nullopt;
        }
        fatti << fatto->id;
        gruppi.insert(chiave, fatto->id);
    }
    return gruppi;
}

} // namespace

Importazione AggiungiAlunni(Deposito& archivio, const QList<Alunno>& alunni)
{
    if (!archivio.classeScelta())
        return Fallita(ProblemaClasse::SenzaClasse);
    QList<Bambino> classe = archivio.bambini();
    QList<Bambino> nuovi;
    // Children already in the class whom the file puts in a group, and
    // which of the file's lines each one is.
    QList<std::pair<Bambino, const Alunno*>> spostati;
    QList<const Alunno*> diNuovi;
    for (const Alunno& a : alunni) {
        const auto presente = std::find_if(classe.begin(), classe.end(), [&](const Bambino& b) { return StessoNome(b, a); });
        if (presente != classe.end()) {
            if (presente->id && !a.gruppo.isEmpty())
                spostati.append({*presente, &a});
            continue;
        }
        const auto simbolo = SimboloLibero(classe);
        if (!simbolo)
            return Fallita(ProblemaClasse::Contrassegni);
        Bambino b{0, QUuid::createUuid(), a.nome, a.cognome, *simbolo};
        classe << b;
        nuovi << b;
        diNuovi << &a;
    }
    QString errore;
    const std::optional<QHash<QString, qint64>> gruppi = GruppiDelFile(archivio, alunni, errore);
    if (!gruppi)
        return Fallita(ProblemaClasse::DelRegistro, errore);
    const auto gruppoDi = [&](const Alunno& a) { return a.gruppo.isEmpty() ? 0 : gruppi->value(a.gruppo.toCaseFolded()); };
    for (qsizetype i = 0; i < nuovi.size(); ++i)
        nuovi[i].gruppo = gruppoDi(*diNuovi[i]);
    int cambiati = 0;
    for (auto& [b, a] : spostati)
        if (const qint64 gruppo = gruppoDi(*a); gruppo != b.gruppo) {
            b.gruppo = gruppo;
            nuovi << b;
            ++cambiati;
        }
    if (!archivio.salvaTutti(nuovi))
        return Fallita(ProblemaClasse::DelRegistro, archivio.ultimoErrore());
    return {int(nuovi.size()) - cambiati, cambiati, {}, {}, {}};
}

Importazione ImportaClasse(Deposito& archivio, const QString& file)
{
    const LetturaClasse lettura = LeggiFileClasse(file);
    if (lettura.problema.tipo == ProblemaClasse::NonLeggibile)
        return Fallita(lettura.problema);
    if (!archivio.classeScelta())
        return Fallita(ProblemaClasse::SenzaClasse);
    if (lettura.problema)
        return Fallita(lettura.problema);
    Importazione fatta = AggiungiAlunni(archivio, lettura.alunni);
    if (!fatta.problema)
        for (const Alunno& a : lettura.alunni)
            if (!a.modi.isEmpty())
                fatta.incerti << a;
    return fatta;
}

namespace {

// One line of an export: its cells as Campo writes them, separated by ";".
QString RigaCsv(const QStringList& campi)
{
    QStringList citati;
    for (const QString& c : campi)
        citati << Campo(c);
    return citati.join(QLatin1Char(';')) + QLatin1Char('\n');
}

// An export's file: UTF-8 with a BOM, which spreadsheets need to read it
// as UTF-8.
QByteArray FileCsv(const QString& testo)
{
    return QByteArray("\xEF\xBB\xBF") + testo.toUtf8();
}

QString Bit(bool vero)
{
    return vero ? QStringLiteral("1") : QStringLiteral("0");
}

// Children by id, each by their full name.
QHash<qint64, QString> NomiCompleti(const QList<Bambino>& bambini)
{
    QHash<qint64, QString> nomi;
    for (const Bambino& b : bambini)
        nomi.insert(b.id, b.nomeCompleto());
    return nomi;
}

} // namespace

QByteArray EsportaCsv(const Deposito& archivio, const Periodo& periodo)
{
    const auto uguale = [](const QString& testo) { return testo; };
    return EsportaCsv(archivio, periodo,
                      {{QStringLiteral("data_ora"), QStringLiteral("bambino"), QStringLiteral("gioco"),
                        QStringLiteral("domanda"), QStringLiteral("blocchi"), QStringLiteral("risposta"),
                        QStringLiteral("esatta"), QStringLiteral("millisecondi")},
                       QString::fromUtf8(SimboloOspite().nome), uguale, uguale, uguale, uguale});
}

QByteArray EsportaCsv(const Deposito& archivio, const Periodo& periodo, const ParoleCsv& parole)
{
    const QHash<qint64, QString> nomi = NomiCompleti(archivio.bambini());
    QString testo = RigaCsv(parole.colonne);
    archivio.scorriRisposte(periodo, [&](const Risposta& r, qint64 bambino) {
        testo += RigaCsv({
            r.quando.toLocalTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")),
            nomi.value(bambino, parole.ospite),
            parole.gioco(r.gioco),
            parole.domanda(Archivio::TestoDomande(r.domande)),
            parole.blocchi(Archivio::TestoBlocchi(r.blocchi)),
            parole.risposta(r.risposta),
            Bit(r.esatta),
            QString::number(r.millisecondi),
        });
    });
    return FileCsv(testo);
}

Padronanza::Modello ModelloDellaClasse(const Deposito& archivio, const QList<Padronanza::Prova>& prove)
{
    if (std::optional<Padronanza::Modello> salvato = archivio.modello())
        return *std::move(salvato);
    return prove.isEmpty() ? Padronanza::Predefinito() : Padronanza::Adatta(prove);
}

QByteArray EsportaPadronanzaCsv(const Deposito& archivio)
{
    QList<Padronanza::Prova> prove;
    archivio.scorriPrimeRisposte({}, [&](const Padronanza::Prova& p) { prove.append(p); });
    Padronanza::Stime stime(ModelloDellaClasse(archivio, prove));
    for (const Padronanza::Prova& p : std::as_const(prove))
        stime.aggiungi(p);
    const auto numero = [](double x) { return QString::number(x, 'f', 4); };
    QString testo = QStringLiteral(
        "bambino;abilita;stima;livello;risposte;p_iniziale;p_apprendimento;p_indovinare;p_sbagliare\n");
    for (const Bambino& b : archivio.bambini())
        for (const Padronanza::Abilita a : Padronanza::TutteLeAbilita) {
            const Padronanza::Stima s = stime.di(b.id, a);
            const Padronanza::Parametri p = stime.modello().di(a, s.giocoPiuGiocato);
            testo += RigaCsv({
                b.nomeCompleto(),
                QString::fromLatin1(Padronanza::Chiave(a)),
                numero(s.stima),
                QString::fromLatin1(Padronanza::TestoLivello(s.livello())),
                QString::number(s.risposte),
                numero(p.iniziale),
                numero(p.apprendimento),
                numero(p.indovinare),
                numero(p.sbagliare),
            });
        }
    return FileCsv(testo);
}

QByteArray EsportaAvanzamentoCsv(const QList<Bambino>& bambini, const QList<AvanzamentoBambino>& avanzamenti)
{
    const QHash<qint64, QString> nomi = NomiCompleti(bambini);
    QString testo = QStringLiteral("bambino;percorso;passo;gioco;esatte;obiettivo;fatto\n");
    for (const AvanzamentoBambino& bambino : avanzamenti) {
        const Avanzamento avanzamento = bambino.avanzamento();
        const QList<Passo>& passi = avanzamento.percorso().passi;
        for (qsizetype i = 0; i < passi.size(); ++i)
            testo += RigaCsv({
                nomi.value(bambino.bambino),
                avanzamento.percorso().nome,
                QString::number(i + 1),
                DidascaliaGioco(passi[i].gioco),
                QString::number(avanzamento.esatte(i)),
                QString::number(passi[i].esatte),
                Bit(avanzamento.fatto(i)),
            });
    }
    return FileCsv(testo);
}

} // namespace Registro
