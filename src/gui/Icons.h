#pragma once

#include <QIcon>

namespace varo::icons {

// The images of the image buttons, drawn by the program so that no image files are needed.
QIcon update();       // fetch new draws
QIcon stepBack();     // one draw back
QIcon stepForward();  // one draw forward
QIcon clear();        // clear the tips
QIcon save();         // save the tips
QIcon load();         // load tips
QIcon frequency();    // number frequency chart
QIcon luckyNumber();  // four-leaf clover
QIcon stop();         // stop the update
QIcon search();       // select the draw of the chosen date

}  // namespace varo::icons
