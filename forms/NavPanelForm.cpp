#include "NavPanelForm.h"

#include "Artwork.h"
#include "book/TNavPanel.h"

void DefineNavPanelForm(TNavPanel& f) {
    f.SetBorderStyle(bsNone);
    f.SetFont(TFont("MS Sans Serif", -11));
    f.resize(133, 42);
    f.setMinimumWidth(105);
    f.NavImages = std::make_unique<TImageList>(40, 36);
    artwork::AddNavFaces(*f.NavImages);

    f.BackButton = new oBitBtn(&f);
    f.BackButton->move(11, 3);
    f.BackButton->SetImages(f.NavImages.get());
    f.BackButton->ImageIndex = 0;
    f.BackButton->NumGlyphs = 4;
    f.BackButton->FocusMargin = 2;
    f.BackButton->SetCaption(std::string(33, ' ') + "back");
    f.BackButton->SetHint("hint|Click to move back");
    QObject::connect(f.BackButton, &QPushButton::clicked, [&f] { f.BackButtonClick(); });

    f.NextButton = new oBitBtn(&f);
    f.NextButton->move(51, 3);
    f.NextButton->SetImages(f.NavImages.get());
    f.NextButton->ImageIndex = 4;
    f.NextButton->NumGlyphs = 4;
    f.NextButton->FocusMargin = 2;
    f.NextButton->SetCaption(std::string(27, ' ') + "forward");
    f.NextButton->SetHint("hint|Click to move forward");
    QObject::connect(f.NextButton, &QPushButton::clicked, [&f] { f.NextButtonClick(); });

    f.resize(105, 42);
}
