// The program's resources as the framework takes them: its name, dialog
// templates, strings, font substitutions, bitmaps and icon.
#pragma once

#include "platform/ApplicationResources.h"

const ApplicationResources& TervanResources();

// The dialog templates, kept as data in Dialogs.cpp.
const std::vector<const DialogTemplate*>& TervanDialogTemplates();
