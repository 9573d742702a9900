// placeholder until the loop lands
