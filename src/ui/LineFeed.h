#pragma once

class QWidget;

// A scanner set to end each code with a Line Feed (Ctrl+J) instead of a
// Return: the box takes that Line Feed as the Return it stands for, so a
// scan ends the same either way.
namespace LineFeed {

void endsLikeReturn(QWidget *box);

} // namespace LineFeed
