#include "shell/main_form.h"

void TForm1::ConvertActionExecute() {}
void TForm1::convertToUfif21(Bytes&, std::size_t, std::size_t) {}
