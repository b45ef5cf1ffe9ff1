#pragma once

#include <functional>

class QWidget;

namespace orbista {

// Runs `handler` when Enter (either key) is pressed in `box`, and swallows the key so the
// dialog's default button does not fire as well. For boxes whose Enter looks a code up rather
// than pressing the query button (QueryScreen::runOnEnter covers that case).
void onEnter(QWidget* box, std::function<void()> handler);

}  // namespace orbista
