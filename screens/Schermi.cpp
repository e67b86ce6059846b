#include "screens/Schermi.h"

#include "screens/FormAvvio.h"
#include "screens/FormChiGioca.h"
#include "screens/FormQualeClasse.h"
#include "screens/formMenu.h"

#include <map>

namespace Schermi {

namespace {
std::map<IdSchermo, std::unique_ptr<Schermo>>& Registro()
{
    static std::map<IdSchermo, std::unique_ptr<Schermo>> registro;
    return registro;
}
} // namespace

void CreaTutti()
{
    Registra(std::make_unique<FormAvvio>());
    Registra(std::make_unique<formMenu>());
    Registra(std::make_unique<FormChiGioca>());
    Registra(std::make_unique<FormQualeClasse>());
    RegistraGiochi();
}

void DistruggiTutti()
{
    Registro().clear();
}

void Registra(std::unique_ptr<Schermo> schermo)
{
    const IdSchermo id = schermo->id();
    Registro()[id] = std::move(schermo);
}

Schermo* Trova(IdSchermo id)
{
    const auto it = Registro().find(id);
    return it == Registro().end() ? nullptr : it->second.get();
}

void Mostra(IdSchermo id)
{
    if (Schermo* schermo = Trova(id))
        schermo->Mostra();
}

void Vai(Schermo& corrente, IdSchermo destinazione)
{
    Schermo* bersaglio = Trova(destinazione);
    if (!bersaglio)
        return;
    bersaglio->Mostra();
    corrente.Scarica();
}

void ChiudiTutto()
{
    for (auto& [id, schermo] : Registro())
        schermo->Scarica();
}

} // namespace Schermi
