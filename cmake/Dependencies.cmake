# libsodium: Argon2id password hashes for the user store of platform/access.
pkg_check_modules(SODIUM REQUIRED IMPORTED_TARGET libsodium)
target_link_libraries(kirocore PUBLIC PkgConfig::SODIUM)
