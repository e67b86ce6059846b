#include "screens/Schermi.h"

#include "games/FORM2/FORM2.h"
#include "games/FormDomino/FormDomino.h"
#include "games/FormDomino/FormDomino2.h"
#include "games/FormTrova/FormTrova.h"
#include "games/form1/form1.h"
#include "games/zirp3/zirp3.h"
#include "games/zirp7/zirp7.h"
#include "games/zirp8/zirp8.h"
#include "games/zirp9/zirp9.h"

void RegistraGiochi()
{
    Schermi::Registra(std::make_unique<form1>());
    Schermi::Registra(std::make_unique<FORM2>());
    Schermi::Registra(std::make_unique<zirp3>());
    Schermi::Registra(std::make_unique<FormTrova>());
    Schermi::Registra(std::make_unique<zirp7>());
    Schermi::Registra(std::make_unique<zirp8>());
    Schermi::Registra(std::make_unique<zirp9>());
    Schermi::Registra(std::make_unique<FormDomino>());
    Schermi::Registra(std::make_unique<FormDomino2>());
}
