#pragma once
// The built-in entries of the form registry, in their fixed order. Windows that later
// layers bring join at their place in the order when they exist.

class TZeltoFormList;

// Registers the standard control classes and the built-in form entries (forms: the
// registry to fill, none: the program's one).
void RegisterBuiltInForms(TZeltoFormList *forms = nullptr);
