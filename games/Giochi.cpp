#include "screens/Schermi.h"

#include "games/FormTrova/FormTrova.h"
#include "games/form1/form1.h"
#include "games/zirp7/zirp7.h"
#include "games/zirp9/zirp9.h"
#include "games/zirp3/zirp3.h"
#include "games/zirp8/zirp8.h"

void RegistraGiochi()
{
    Schermi::Registra(std::make_unique<form1>());
    Schermi::Registra(std::make_unique<zirp7>());
    Schermi::Registra(std::make_unique<zirp9>());
    Schermi::Registra(std::make_unique<zirp3>());
    Schermi::Registra(std::make_unique<FormTrova>());
    Schermi::Registra(std::make_unique<zirp8>());
}
