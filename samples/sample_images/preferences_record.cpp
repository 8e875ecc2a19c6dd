#include "sample_images/preferences_record.h"

ByteImage buildPreferencesRecord(const PreferencesValues& values) {
    ByteImage image;
    appendBytes(image, "ZAV2");
    image.insert(image.end(), {values.menuShowMode, 0, values.librarySlot, values.libraryGroup,
                               values.autorunSlot, values.autorunGroup, 0, 0});
    return image;
}
