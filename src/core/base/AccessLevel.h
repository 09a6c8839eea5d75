#pragma once

// What a password allows (access/Passwords.h decides which).
enum class AccessLevel { Administrator, Dealer, Technician, Unknown };
