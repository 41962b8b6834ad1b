// An engine header of the fixture tree the layer check is tried on.
