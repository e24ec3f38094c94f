#include "res/Resources.h"

#include "res/EmbeddedResources.h"
#include "res/ResourceIds.h"

namespace {
// The faces the program asks for that this machine lacks, and the installed
// families that stand in for them: look-alikes with similar proportions, so
// the notebook's lines keep their length. A function's own static, not a
// file's: the application object asks for the table while the program's
// globals are still being built, in an order no file decides.
const std::vector<FontSubstitute>& FontSubstitutes()
{
    static const std::vector<FontSubstitute> substitutes = {
        {"Comic Sans Serif", "Comic Neue"},   {"Comic Sans MS", "Comic Neue"},
        {"Bookman Old Style", "URW Bookman"}, {"Times New Roman", "Liberation Serif"},
        {"MS Sans Serif", "Liberation Sans"},
    };
    return substitutes;
}

std::vector<StringResource> BenchStrings()
{
    return {
        {IDS_ABOUTBOX, "Acerca de Tervan"},
        {IDS_KEYS_HELP,
         "Tecles del banc de treball:\n\n"
         "Tab i Maj+Tab: d'un botó o part del banc a la següent.\n"
         "Clau de pas: Espai o Retorn la giren.\n"
         "Branca dreta del manòmetre: Amunt i Avall la mouen un píxel; amb Maj, cinc "
         "píxels; Re Pàg i Av Pàg, un centímetre.\n"
         "Retorn o Espai: premen el botó que té el focus.\n"
         "Esc: surt del diàleg obert.\n"
         "Menú o Maj+F10: obren el menú de la finestra (desar, imprimir, la guia).\n\n"
         "Amb el ratolí o el dit: un toc a la branca dreta, sense arrossegar, mostra dos "
         "botons que la mouen un píxel a cada toc."},
        {IDS_VALVE, "Clau de pas"},
        {IDS_VALVE_OPEN, "oberta"},
        {IDS_VALVE_CLOSED, "tancada"},
        {IDS_VALVE_TURNING, "girant"},
        {IDS_RIGHT_BRANCH, "Branca dreta del manòmetre"},
        {IDS_BRANCH_LEVEL, "nivell del mercuri al regle: %s cm"},
        {IDS_LEFT_AT_MARK, "la superfície esquerra és a la marca"},
        {IDS_LEFT_ABOVE_MARK, "la superfície esquerra és %s mm per sobre de la marca"},
        {IDS_LEFT_BELOW_MARK, "la superfície esquerra és %s mm per sota de la marca"},
        {IDS_WATER_TEMP, "Temperatura de l'aigua"},
        {IDS_BOTTLE, "Botella"},
        {IDS_BOTTLE_ON_BENCH, "oberta, sobre el banc"},
        {IDS_BOTTLE_CLOSED, "tancada"},
        {IDS_BOTTLE_SUBMERGED, "submergida"},
        {IDS_NOTEBOOK, "Quadern, pàgina %d"},
        {IDS_NOTEBOOK_ROW, "Núm."},
        {IDS_NOTEBOOK_TEMP, "T (ºC)"},
        {IDS_NOTEBOOK_LEVEL, "h (cm)"},
        {IDS_EQUATION, "Recta ajustada"},
        {IDS_STEP_UP, "Puja la branca dreta"},
        {IDS_STEP_DOWN, "Baixa la branca dreta"},
        {IDS_ROW_NOTED, "Anotada la mesura %d: %s ºC, %s cm"},
        {IDS_GAS_TEMP_C, "Temperatura del gas en ºC"},
        {IDS_GAS_TEMP_K, "Temperatura del gas en K"},
        {IDS_NOTEBOOK_COVER, "Pràctica Ombrina"},
        {IDS_COVER_INITIAL, ". Mesures prèvies: pressió atmosfèrica %s mmHg, temperatura "
                            "ambient %s ºC"},
        {IDS_COVER_LEVEL, ". Nivell Hg inicial: %s"},
    };
}

std::vector<EmbeddedIcon> Icons()
{
    // Every size drawn is the one application icon.
    std::vector<EmbeddedIcon> icons = EmbeddedIcons();
    for (EmbeddedIcon& icon : icons)
        icon.id = icon.png.id = IDR_MAINFRAME;
    return icons;
}
} // namespace

const ApplicationResources& TervanResources()
{
    static const ApplicationResources resources = [] {
        ApplicationResources r;
        // The program file's name: message boxes carry it as their caption.
        r.name = "Tervan";
        r.desktopEntry = "tervan";
        r.version = TERVAN_VERSION;
        r.templates = TervanDialogTemplates();
        r.strings = BenchStrings();
        for (const StringResource& s : NotebookOutputStrings())
            r.strings.push_back(s);
        r.fonts = FontSubstitutes();
        r.bitmaps = EmbeddedBitmaps();
        r.icons = Icons();
        return r;
    }();
    return resources;
}
