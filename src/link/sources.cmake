list(APPEND ZAV_CORE_SOURCES
  src/link/phone_link.cpp
  src/link/link_idle.cpp
)
