#include "ListPictures.h"

#include "ListEntry.h"
#include "Prompts.h"
#include "Thumbnail.h"

TListPictures::TListPictures() {
    // Our own artwork, built into the program: a document page and a framed picture.
    LoadIconFile(LVImageList, 2, QStringLiteral(":/listpictures/listicons16.png"));
    LoadIconFile(DefThumbIL, 2, QStringLiteral(":/listpictures/thumbplaceholders84.png"));
    MakeTrueColor(LVImageList);
    MakeTrueColor(DefThumbIL);
    MakeTrueColor(ThumbIL);
    ResetThumbnails();
}

int ExtensionPicture(const TListEntry& entry) {
    return IsImageExtension(QLatin1Char('.') + entry.Type) ? ImagePicture : DocumentPicture;
}

void TListPictures::ResetThumbnails() {
    ThumbIL.Clear();
    for (int i = 0; i < DefThumbIL.Count(); ++i)
        ThumbIL.Add(DefThumbIL.Image(i));
}

int TListPictures::GetEntryImageIndex(const TListEntry& entry, int style, bool makeThumbnail,
                                      int fallbackIndex) {
    switch (style) {
    case ListStyleDetails:
        return ExtensionPicture(entry);
    case ListStyleThumbnails:
        return makeThumbnail ? MakeThumbnail(GetEntryPath(entry), ThumbIL, DocumentPicture)
                             : fallbackIndex;
    default:
        return -1;
    }
}

QString SimpleIconsQuestion() {
    return QStringLiteral("You have more than 100 files.\n\r"
                          "Loading thumbnails could take a while.\n\r"
                          "Do you want to load simple icons instead?");
}

bool ThumbnailsWanted(TPrompts& prompts, int count) {
    if (count <= ThumbnailQuestionLimit)
        return true;
    return MessageDlg(prompts, SimpleIconsQuestion(), TPromptIcon::Warning, pbYesNo) == pbNo;
}
