# Filled in as the area is built.
