-- The shop's schema, its user and the five tables. Texts are stored as GBK; the
-- program's connections talk utf8mb4 and the server converts.
CREATE DATABASE IF NOT EXISTS marlovia DEFAULT CHARACTER SET gbk;

CREATE USER IF NOT EXISTS 'marlovia'@'%' IDENTIFIED BY 'mzr417#&*';
CREATE USER IF NOT EXISTS 'marlovia'@'localhost' IDENTIFIED BY 'mzr417#&*';
GRANT ALL PRIVILEGES ON marlovia.* TO 'marlovia'@'%';
GRANT ALL PRIVILEGES ON marlovia.* TO 'marlovia'@'localhost';
FLUSH PRIVILEGES;

USE marlovia;

-- boss_tel is the login name: one operator per name, as the collation compares them
-- (letter case and trailing blanks ignored).
CREATE TABLE IF NOT EXISTS bosslist (
    boss_id   INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
    boss_tel  VARCHAR(64)  NOT NULL DEFAULT '',
    boss_name VARCHAR(64)  NOT NULL DEFAULT '',
    boss_key  VARCHAR(64)  NOT NULL DEFAULT '',
    UNIQUE KEY uq_boss_tel (boss_tel)
) ENGINE=InnoDB DEFAULT CHARSET=gbk;

-- user_id is the card number typed at the front desk: one member per card, kept by the
-- unique key even when two desks store the same number at once. The invisible row_no is
-- the table's order, so that a list without ORDER BY still shows members as they came
-- (InnoDB would otherwise order the rows by the unique key); SELECT * does not show it.
CREATE TABLE IF NOT EXISTS userlist (
    row_no     INT NOT NULL AUTO_INCREMENT INVISIBLE PRIMARY KEY,
    user_id    INT NOT NULL,
    user_del   INT NOT NULL DEFAULT 0,
    user_name  VARCHAR(100) NOT NULL DEFAULT '',
    user_tel   VARCHAR(64)  NOT NULL DEFAULT '',
    user_key   VARCHAR(64)  NOT NULL DEFAULT '',
    user_add   VARCHAR(255) NOT NULL DEFAULT '',
    user_wxid  VARCHAR(64)  NOT NULL DEFAULT '',
    user_notes VARCHAR(255) NOT NULL DEFAULT '',
    UNIQUE KEY uq_user_id (user_id)
) ENGINE=InnoDB DEFAULT CHARSET=gbk;

-- The histories list a period by a range of the stored times (one fixed text form), so
-- pay_time and cost_date carry an index each.
CREATE TABLE IF NOT EXISTS paylist (
    pay_id     INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
    pay_time   VARCHAR(32)  NOT NULL DEFAULT '',
    pay_money  VARCHAR(32)  NOT NULL DEFAULT '',
    pay_give   VARCHAR(32)  NOT NULL DEFAULT '',
    pay_total  VARCHAR(32)  NOT NULL DEFAULT '',
    pay_method VARCHAR(32)  NOT NULL DEFAULT '',
    pay_notes  TEXT,
    pay_del    INT NOT NULL DEFAULT 0,
    user_id    INT NOT NULL,
    user_name  VARCHAR(100) NOT NULL DEFAULT '',
    boss_id    VARCHAR(16)  NOT NULL DEFAULT '',
    boss_name  VARCHAR(64)  NOT NULL DEFAULT '',
    KEY idx_pay_user (user_id),
    KEY idx_pay_time (pay_time)
) ENGINE=InnoDB DEFAULT CHARSET=gbk;

-- xm_id is empty for a bill of several items, so it is kept as text. The item counts read
-- an item's records from its index alone: the live flag and the time stand in it too.
CREATE TABLE IF NOT EXISTS costlist (
    cost_id    INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
    cost_notes TEXT,
    cost_money VARCHAR(32)  NOT NULL DEFAULT '',
    cost_del   INT NOT NULL DEFAULT 0,
    cost_date  VARCHAR(32)  NOT NULL DEFAULT '',
    xm_id      VARCHAR(16)  NOT NULL DEFAULT '',
    xm_name    VARCHAR(100) NOT NULL DEFAULT '',
    xm_money   VARCHAR(32)  NOT NULL DEFAULT '',
    user_id    INT NOT NULL,
    user_name  VARCHAR(100) NOT NULL DEFAULT '',
    boss_id    VARCHAR(16)  NOT NULL DEFAULT '',
    boss_name  VARCHAR(64)  NOT NULL DEFAULT '',
    KEY idx_cost_user (user_id),
    KEY idx_cost_item_date (xm_id, cost_del, cost_date),
    KEY idx_cost_date (cost_date)
) ENGINE=InnoDB DEFAULT CHARSET=gbk;

CREATE TABLE IF NOT EXISTS xmlist (
    xm_id    INT NOT NULL AUTO_INCREMENT PRIMARY KEY,
    xm_name  VARCHAR(100) NOT NULL DEFAULT '',
    xm_del   INT NOT NULL DEFAULT 0,
    xm_money VARCHAR(32)  NOT NULL DEFAULT '',
    xm_notes VARCHAR(255) NULL
) ENGINE=InnoDB DEFAULT CHARSET=gbk;

-- Databases made before the time indexes, the item-count index and the login-name key get
-- them here (a database whose operators already share a login name keeps them apart by
-- hand first); the item-count index makes the older item index redundant.
CREATE INDEX IF NOT EXISTS idx_pay_time ON paylist (pay_time);
CREATE INDEX IF NOT EXISTS idx_cost_date ON costlist (cost_date);
CREATE INDEX IF NOT EXISTS idx_cost_item_date ON costlist (xm_id, cost_del, cost_date);
ALTER TABLE costlist DROP INDEX IF EXISTS idx_cost_item;
ALTER TABLE bosslist ADD UNIQUE KEY IF NOT EXISTS uq_boss_tel (boss_tel);
