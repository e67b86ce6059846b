#include "screens/Schermi.h"

#include "games/FORM2/FORM2.h"
#include "games/FormDomino/FormDomino.h"
#include "games/FormDomino/FormDomino2.h"
#include "games/form1/form1.h"

void RegistraGiochi()
{
    Schermi::Registra(std::make_unique<form1>());
    Schermi::Registra(std::make_unique<FORM2>());
    Schermi::Registra(std::make_unique<FormDomino>());
    Schermi::Registra(std::make_unique<FormDomino2>());
}
