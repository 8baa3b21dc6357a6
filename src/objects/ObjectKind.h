#pragma once

/// What the rules look for when they search the registry.
enum ObjectKind {
    KIND_PLAIN = 0,
    KIND_BACKGROUND = 1,
    KIND_WHEEL = 2,
    KIND_FOOT = 3,
    KIND_SQUIRREL = 4,
    KIND_DRAGBOX_PANEL = 5,
    KIND_MUTE_BUTTON = 6,
    KIND_BOWLING_STAR = 7,
    KIND_BALANCE_STAR = 8,
    KIND_BIRD = 9,
    KIND_CHERRY = 10,
    KIND_CHERRY_STAR = 11,
    KIND_SKATE_STAR = 12,
    KIND_CANNON = 13,
    KIND_CANNON_BOUNCE = 14,
    KIND_CANNON_STAR = 15,
    KIND_JOINT_PICTURE = 16,
    KIND_HAZELNUT = 17,
    KIND_RESTART_BUTTON = 18,
};
