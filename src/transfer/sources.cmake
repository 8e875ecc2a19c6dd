list(APPEND ZAV_CORE_SOURCES
  src/transfer/ufif_conversion.cpp
)
list(APPEND ZAV_GUI_SOURCES
  src/transfer/ok_bottom_dlg.cpp
  src/transfer/clear_action.cpp
  src/transfer/download_action.cpp
  src/transfer/play_gif_action.cpp
  src/transfer/summ_size.cpp
  src/transfer/upload_action.cpp
  src/transfer/convert_action.cpp
  src/transfer/section_read.cpp
  src/transfer/section_upload.cpp
  src/transfer/picture_viewer.cpp
)
