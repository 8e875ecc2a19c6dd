#include "shell/main_form.h"

void TForm1::Button3Click() {}
void TForm1::GetPrefActionExecute() {}
void TForm1::SetPrefActionExecute() {}
