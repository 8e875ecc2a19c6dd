#include "shell/main_form.h"

void TForm1::DrawGrid1DrawCell(QPainter&, int, int, const QRect&, CellState) {}
