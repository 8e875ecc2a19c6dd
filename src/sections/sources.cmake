list(APPEND ZAV_CORE_SOURCES
  src/sections/section_table.cpp
  src/sections/slot_map.cpp
  src/sections/elf_segment.cpp
  src/sections/section_classification.cpp
  src/sections/format_word_text.cpp
  src/sections/size_bar.cpp
  src/sections/section_commands.cpp
  src/sections/slot_row.cpp
)
list(APPEND ZAV_GUI_SOURCES
  src/sections/probe_section.cpp
  src/sections/full_refresh.cpp
  src/sections/refresh_action.cpp
  src/sections/grid_draw_cell.cpp
  src/sections/context_menu.cpp
  src/sections/selected_section.cpp
)
