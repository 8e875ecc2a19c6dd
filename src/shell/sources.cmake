list(APPEND ZAV_CORE_SOURCES
  src/shell/settings_keys.cpp
)
list(APPEND ZAV_GUI_SOURCES
  src/shell/main_form.cpp
  src/shell/manager_settings.cpp
  src/shell/about_box.cpp
  src/shell/experts_form.cpp
  src/shell/options.cpp
  src/shell/manager_windows.cpp
)
