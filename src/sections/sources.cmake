list(APPEND ZAV_CORE_SOURCES
  src/sections/section_table.cpp
  src/sections/slot_map.cpp
)
list(APPEND ZAV_GUI_SOURCES
)
