list(APPEND ZAV_CORE_SOURCES
  src/mod/preferences_record.cpp
  src/mod/prg3_library_text.cpp
  src/mod/symbol_list_merge.cpp
)
list(APPEND ZAV_GUI_SOURCES
  src/mod/pref_form.cpp
  src/mod/preferences_actions.cpp
  src/mod/verified_write.cpp
  src/mod/ufif2_library_upload.cpp
  src/mod/prg3_library_upload.cpp
  src/mod/developer_tools.cpp
)
