#include "transfer/picture_viewer.h"

#include "platform/system_viewer.h"

namespace {

PictureViewer& currentViewer() {
    static PictureViewer viewer;
    return viewer;
}

} // namespace

void setPictureViewer(PictureViewer viewer) {
    currentViewer() = std::move(viewer);
}

void showPicture(const std::string& fileName) {
    if (currentViewer())
        currentViewer()(fileName);
    else
        openInSystemViewer(fileName);
}
