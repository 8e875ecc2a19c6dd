#pragma once

// Set while no phone command runs; the grid's context menu opens only then. False at start, so
// the menu stays closed until the first phone command has ended.
extern bool LinkIdle;

// Sets LinkIdle again on every way out of a command, errors included.
class LinkIdleGuard {
public:
    LinkIdleGuard() = default;
    ~LinkIdleGuard() { LinkIdle = true; }
    LinkIdleGuard(const LinkIdleGuard&) = delete;
    LinkIdleGuard& operator=(const LinkIdleGuard&) = delete;
};
