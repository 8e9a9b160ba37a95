#include "ui/FAbout.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/TabOrder.h"

namespace {

const char* AboutText =
    "TarsisDizIzuzuri - map editor, version 0.4.1\n"
    "\n"
    "Builds maps for the game: a galaxy of 68 x 50 cells holding star systems, each system a "
    "field of 441 hexagonal sectors with stars, planets, asteroid fields, storms and warp points.\n"
    "\n"
    "Usage\n"
    "- Galaxy map: press a cell to select it. The right button opens Create System, Generate "
    "Random System and Remove System. Double-click a system to edit it.\n"
    "- System map: press a sector to select what lies there; drag an object with the left button "
    "to move it. The right button opens the create commands and Remove Object. Double-click an "
    "object to edit it.\n"
    "- The Object list starts creating or editing the chosen kind.\n"
    "- Save Map writes the map as a txt file in the program folder; Generate Map also hands it to "
    "the map compiler. Load Map reads a txt map written by this editor. Random Map builds a whole "
    "galaxy from the game's data files.\n"
    "- Settings (Change) sets the data, map compiler and maps folders; it is only available while "
    "no map is loaded.\n";

}  // namespace

FAbout::FAbout(QWidget* parent) : QDialog(parent) {
    setObjectName("FAbout");
    setWindowTitle(tr("About"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QPlainTextEdit(QString::fromLatin1(AboutText));
    text->setReadOnly(true);
    text->setMinimumSize(460, 300);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    // Enter closes it as Escape does.
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    OrderTabsByLayout(this);
}
