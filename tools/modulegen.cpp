// Generator (placeholder until it lands).
