namespace pintoola { void placeholder_platform() {} }
