// The program's resources as the framework takes them: its name, dialog
// templates, strings, font substitutions, bitmaps and icon.
#pragma once

#include "platform/ApplicationResources.h"

const ApplicationResources& TervanResources();

// The dialog templates, kept as data in Dialogs.cpp.
const std::vector<const DialogTemplate*>& TervanDialogTemplates();

// The strings of the notebook's way out, kept in OutputStrings.cpp.
std::vector<StringResource> NotebookOutputStrings();

// The question before a practical with noted rows ends (KeepWorkDialog.cpp).
const DialogTemplate& KeepWorkTemplate();
