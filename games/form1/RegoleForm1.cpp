#include "games/form1/RegoleForm1.h"


namespace {

constexpr RegoleForm1::VoceAttributo Attributi[] = {
    {"FORMA", QT_TRANSLATE_NOOP("Tesselo", "DIVERSA"), CriterioForma,
     {"cerchio", "quadrato", "rettangolo", "triangolo"}},
    {"DIMENSIONE", QT_TRANSLATE_NOOP("Tesselo", "DIVERSA"), CriterioDimensione,
     {"grande", "piccolo", nullptr, nullptr}},
    {"SPESSORE", QT_TRANSLATE_NOOP("Tesselo", "DIVERSO"), CriterioSpessore,
     {"spesso", "sottile", nullptr, nullptr}},
    {"COLORE", QT_TRANSLATE_NOOP("Tesselo", "DIVERSO"), CriterioColore,
     {"rosso", "giallo", "blu", nullptr}},
};

// The attribute kinds in this game's numbering, as the draw maps them.
constexpr Estrazioni::OrdineAttributi Ordine{Attributi[0].criterio, Attributi[1].criterio, Attributi[2].criterio,
                                            Attributi[3].criterio};

} // namespace

const RegoleForm1::VoceAttributo& RegoleForm1::Voce(int attributo)
{
    return Attributi[attributo - 1];
}

void RegoleForm1::ScegliAttributo()
{
    Attributo = qint16(AttributoDelTurno(Ordine));
}

void RegoleForm1::NuovaCoppia()
{
    NuovoSfondo();
    const int criterio = Voce(Attributo).criterio;
    for (int lato = 0; lato < 2; ++lato) {
        caso.BloccoCasuale();
        Coppia[lato] = caso.BloccoCorrente();
        ValoriConfronto[lato] = Coppia[lato].parola(criterio);
    }
    IniziaTurno();
}

Registro::Risposta RegoleForm1::GiudicaUguale() const
{
    return Giudica(true);
}

Registro::Risposta RegoleForm1::GiudicaDiverso() const
{
    return Giudica(false);
}

Registro::Risposta RegoleForm1::Giudica(bool uguale) const
{
    const VoceAttributo& voce = Voce(Attributo);
    const bool esatta = (ValoriConfronto[0] == ValoriConfronto[1]) == uguale;
    return Giudizio(esatta, uguale ? QStringLiteral("UGUALE") : QString::fromLatin1(voce.diversi),
                    {DomandaAttributo(voce.criterio)}, {Coppia[0], Coppia[1]});
}
