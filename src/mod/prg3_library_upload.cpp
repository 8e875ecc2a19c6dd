#include "shell/main_form.h"

void TForm1::Button6Click() {}
