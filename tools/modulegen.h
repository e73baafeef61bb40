// Generator of synthetic module folders (placeholder until the generator lands).
#pragma once
