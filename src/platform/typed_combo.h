#pragma once

class QComboBox;

// Makes an editable combo box's selection follow what the user types: the item whose text it
// is (in any case), or no item at all. A typed text is never added to the list.
void selectItemOfTypedText(QComboBox& box);
