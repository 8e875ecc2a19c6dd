#include "shell/main_form.h"

void TForm1::DrawGrid1MouseUp(Qt::MouseButton, const QPoint&) {}
