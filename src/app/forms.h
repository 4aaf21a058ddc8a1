// The one shared instance of each window. Asking for a window loads it (runs its load steps) without
// showing it; closing a window destroys it, so the next use loads it afresh. The program ends when
// the last loaded window has closed; hidden windows count as loaded.
#pragma once

class QWidget;
class Main_Frm;
class MENU_Frm;
class About_Frm;
class Setup_Frm;
class Search_Frm;
class Maker_Frm;

namespace Forms {

enum class Kind { Menu, Main, About, Setup, Search, Maker };

MENU_Frm* Menu();
Main_Frm* Main();
About_Frm* About();
Setup_Frm* Setup();
Search_Frm* Search();
Maker_Frm* Maker();

// Whether the window is loaded, without loading it.
bool IsLoaded(Kind kind);
// The loaded window, or null; never loads it.
QWidget* Loaded(Kind kind);
// Closes the window when it is loaded; does nothing otherwise.
void Close(Kind kind);
// How many windows are loaded.
int Loaded_Count();

}  // namespace Forms
