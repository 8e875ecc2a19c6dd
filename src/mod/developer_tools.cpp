#include "shell/main_form.h"

void TForm1::Button8Click() {}
void TForm1::Button9Click() {}
void TForm1::ButtonCli() {}
