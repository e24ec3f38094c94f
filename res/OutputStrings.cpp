// The strings of the notebook's way out: the window menu's items, the saved
// table's header and labels, the file dialogs, the printed sheets, and what
// the student is told when a file or a sheet cannot be made.
#include "res/ResourceIds.h"
#include "res/Resources.h"

std::vector<StringResource> NotebookOutputStrings()
{
    return {
        {IDS_SAVE_CSV, "Desa les dades (CSV)…"},
        {IDS_SAVE_PNG, "Desa el quadern (PNG)…"},
        {IDS_PRINT, "Imprimeix el quadern…"},
        {IDS_GUIDE, "Guia d'operació"},
        {IDS_CSV_HEADER, "Núm.;T (ºC);h (cm);P (mmHg)"},
        {IDS_CSV_SLOPE, "Pendent a (ºC/mmHg)"},
        {IDS_CSV_INTERCEPT, "Ordenada a l'origen b (ºC)"},
        {IDS_CSV_FILTER, "Dades separades per punt i coma (*.csv)"},
        {IDS_PNG_FILTER, "Imatge PNG (*.png)"},
        {IDS_SAVE_CSV_TITLE, "Desa les dades del quadern"},
        {IDS_SAVE_PNG_TITLE, "Desa les pàgines del quadern"},
        {IDS_SAVE_FAILED, "No s'ha pogut desar el fitxer «%s». Comproveu que la carpeta existeix i "
                          "que s'hi pot escriure, i torneu-ho a provar. Les dades del quadern "
                          "continuen a la pràctica."},
        {IDS_SAVED, "S'ha desat el fitxer «%s»."},
        {IDS_PRINT_TITLE, "Tervan, quadern del %s"},
        {IDS_PRINT_CAPTION, "Tervan · Pràctica Ombrina · %s · full %d de %d"},
        {IDS_PRINT_FAILED, "No s'ha pogut imprimir el quadern. Comproveu la impressora i "
                           "torneu-ho a provar. Les dades del quadern continuen a la pràctica."},
        {IDS_GUIDE_MISSING, "No s'ha trobat la guia d'operació (tervan-guia.html)."},
    };
}
