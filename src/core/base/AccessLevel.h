#pragma once

enum class AccessLevel { Administrator, Dealer, Technician, Unknown };
