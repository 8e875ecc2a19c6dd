list(APPEND ZAV_CORE_SOURCES
  src/platform/zav_error.cpp
  src/platform/int_text.cpp
  src/platform/file_io.cpp
  src/platform/ini_file.cpp
  src/platform/text_decoding.cpp
)
list(APPEND ZAV_GUI_SOURCES
  src/platform/qt_dialog_service.cpp
  src/platform/mask_edit.cpp
  src/platform/system_viewer.cpp
  src/platform/form_fonts.cpp
  src/platform/draw_grid.cpp
  src/platform/radio_group.cpp
  src/platform/gap_text.cpp
  src/platform/typed_combo.cpp
)
