// The platform's own header.
#pragma once
