// The procedure's buttons in the order a practical enables them.
#pragma once

#include "res/ResourceIds.h"

constexpr int kProcedureButtons[] = {IDC_ANOTA_VALORS_INICIALS,
                                     IDC_TANCA_BOTELLA,
                                     IDC_ANOTA_NIVELL_INICIAL,
                                     IDC_SUBMERGIR_BOTELLA,
                                     IDC_ESCALFAR_AIGUA,
                                     IDC_REFREDAR_AIGUA,
                                     IDC_ANOTACIO};
