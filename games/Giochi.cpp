#include "screens/Schermi.h"

#include "games/form1/form1.h"
#include "games/zirp8/zirp8.h"

void RegistraGiochi()
{
    Schermi::Registra(std::make_unique<form1>());
    Schermi::Registra(std::make_unique<zirp8>());
}
